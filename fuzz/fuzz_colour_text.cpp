// Any text as a typed or pasted colour. Whatever is read as a colour must
// print in every form as text that reads back as the same colour.
#include "colour/ColourForms.h"
#include "colour/ColourText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const auto prefer : {ColourText::Prefer::Html, ColourText::Prefer::Long}) {
        const auto colour = ColourText::Parse(text, prefer);
        if (!colour)
            continue;
        if (*colour < 0 || *colour > 0xFFFFFF)
            std::abort(); // a colour has three bytes
        for (const ColourForms::Form& form : ColourForms::All()) {
            const QString printed = ColourForms::Format(form.id, *colour);
            if (form.id == QLatin1String("name") && printed.startsWith(QLatin1Char('~')))
                continue; // the nearest name is for reading
            const auto back = ColourText::Parse(printed, form.id == QLatin1String("long") ? ColourText::Prefer::Long
                                                                                           : ColourText::Prefer::Html);
            if (!back || *back != *colour)
                std::abort();
        }
    }
    return 0;
}

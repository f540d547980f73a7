#include "widgets/PropertyBag.h"

void PropertyBag::WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue)
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].first == name) {
            m_entries.removeAt(i);
            break;
        }
    }
    if (value != defaultValue)
        m_entries.append({name, value});
}

QVariant PropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const
{
    for (const auto& [key, value] : m_entries)
        if (key == name)
            return value;
    return defaultValue;
}


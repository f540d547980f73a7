// Build tool: draws the pictures the main window shows from its first paint
// at one pixel ratio and stores them, for the program to take instead of
// drawing them at every start. usage: render_artwork OUTFILE RATIO
#include "app/Artwork.h"

#include <QFile>
#include <QGuiApplication>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ratioOk = false;
    const qreal ratio = args.size() == 3 ? args[2].toDouble(&ratioOk) : 0;
    if (!ratioOk || ratio <= 0)
        return 2;
    QFile out(args[1]);
    return out.open(QIODevice::WriteOnly) && out.write(Artwork::Pack(Artwork::DrawAll(ratio))) > 0 ? 0 : 1;
}

#include "platform/QtColorDialog.h"

#include <QColorDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// The real dialog against a real QtProject.conf in a private configuration
// folder: the custom colours every Qt program of the user shares.
class TestQtColorDialog : public QObject {
    Q_OBJECT
private slots:
    void sharedCustomColoursSurviveTheDialog_data();
    void sharedCustomColoursSurviveTheDialog();
};

void TestQtColorDialog::sharedCustomColoursSurviveTheDialog_data()
{
    QTest::addColumn<QByteArray>("conf");
    QTest::addColumn<bool>("accept");
    const QByteArray own = "[General]\nstyle=kept\n\n[Qt]\ncustomColors\\0=4278255360\ncustomColors\\5=4294901760\n";
    QTest::newRow("cancelled, two colours of another program") << own << false;
    QTest::newRow("accepted, two colours of another program") << own << true;
    QTest::newRow("accepted, no file before") << QByteArray() << true;
}

void TestQtColorDialog::sharedCustomColoursSurviveTheDialog()
{
    QFETCH(QByteArray, conf);
    QFETCH(bool, accept);
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    const QString path = home.filePath(QStringLiteral("QtProject.conf"));
    if (!conf.isEmpty()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(conf);
    }
    std::array<OLE_COLOR, 16> seeds{};
    for (std::size_t i = 0; i < 16; ++i)
        seeds[i] = OLE_COLOR(0x00010203 * (i + 1));
    CHOOSECOLOR record;
    record.lpCustColors = &seeds;
    record.rgbResult = 0x00336699;
    record.Flags = CHOOSECOLOR::CC_RGBINIT;
    QTimer::singleShot(50, this, [accept] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (dialog) // seeded as asked, whatever the shared row holds
            QCOMPARE(QColorDialog::customColor(3), QColor(0x0C, 0x08, 0x04));
        if (dialog && accept)
            dialog->accept();
        else if (dialog)
            dialog->reject();
    });
    QtColorDialog chooser;
    QCOMPARE(chooser.ChooseColorA(record), accept ? 1 : 0);
    if (accept)
        QCOMPARE(record.rgbResult, 0x00336699);

    // One more dialog comes and goes, as any later one in this or another
    // program would: it writes the shared row out if it was left changed.
    { QColorDialog other; }
    QFile after(path);
    if (conf.isEmpty()) {
        QVERIFY(!after.exists() || (after.open(QIODevice::ReadOnly) && !after.readAll().contains("customColors")));
    } else {
        QVERIFY(after.open(QIODevice::ReadOnly));
        const QByteArray text = after.readAll();
        QVERIFY2(text.contains("customColors\\0=4278255360") && text.contains("customColors\\5=4294901760")
                     && !text.contains("customColors\\1=") && text.contains("style=kept"),
                 text.constData());
    }
}

QTEST_MAIN(TestQtColorDialog)
#include "tst_QtColorDialog.moc"

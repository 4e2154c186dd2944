// quillmark-script preview and capture against the Sphere server the tests
// build: what a player is sent, in the check's line form, and the exit
// status that tells a difference from a server that could not be asked.
#include "document/Document.h"
#include "support/ExampleDocuments.h"
#include "support/FileFixtures.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using FileFixtures::writeFile;

namespace {

struct ServerRun {
    int status = -1;
    QString out, err;
};

QString serverBinary()
{
    const QString path = QStringLiteral(QM_SPHERE_SERVER_BINARY);
    return QFileInfo(path).isExecutable() ? path : QString();
}

class ScriptServerCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = dir.path() + "/";
        writeFile(root + "DATA/buttons/okay.bmp", "");
        writeFile(root + "DATA/buttons/okay.CS", "F7\r\nF8\r\n");
        design = ExampleDocuments::onePageDialog();
        Document::saveProjectFile(root + "clean.SDF", design);
    }

    ServerRun run(const QStringList &args)
    {
        QProcess p;
        p.setWorkingDirectory(root);
        p.start(QStringLiteral(QUILLMARK_SCRIPT_BINARY), args);
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardOutput()),
                QString::fromLocal8Bit(p.readAllStandardError())};
    }

    QTemporaryDir dir;
    QString root;
    QStringList design;
};

} // namespace

TEST_F(ScriptServerCommandsTest, PreviewPrintsDifferencesInTheChecksFormAndTellsThemByItsStatus)
{
    if (serverBinary().isEmpty())
        GTEST_SKIP() << "no Sphere server built";
    // The server evaluates <src.name> for the stand-in, who is called Quillmark.
    QStringList named = design;
    const qsizetype text = named.indexOf("Hello");
    ASSERT_GE(text, 4);
    named[text] = "<src.name>";
    Document::saveProjectFile(root + "named.SDF", named);
    const struct {
        const char *file;
        int status;
        QString out;
    } rows[] = {
        {"clean.SDF", 0, ""},
        {"named.SDF", 1, QStringLiteral("named.SDF:%1: difference: ").arg(text - 3)},
    };
    for (const auto &row : rows) {
        const ServerRun r = run({"preview", row.file, "--server", serverBinary(), "--data", root, "--out", "page.png"});
        EXPECT_EQ(r.status, row.status) << row.file << r.out.toStdString() << r.err.toStdString();
        if (row.out.isEmpty())
            EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        else
            EXPECT_TRUE(r.out.startsWith(row.out) && r.out.contains("Quillmark")) << r.out.toStdString();
        EXPECT_FALSE(QImage(root + "page.png").isNull());
        QFile::remove(root + "page.png");
    }
}

TEST_F(ScriptServerCommandsTest, CaptureSavesWhatTheServerSentAsADesign)
{
    if (serverBinary().isEmpty())
        GTEST_SKIP() << "no Sphere server built";
    writeFile(root + "shard/d_hello.scp",
              "[DIALOG d_hello]\n10,20\npage 0\nresizepic 0 0 9200 200 100\ntext 30 40 0 0\n"
              "button 20 60 247 248 1 0 1\npage 1\ndtext 5 5 33 <ARGS> from <SRC.NAME>\n\n"
              "[DIALOG d_hello TEXT]\nHello\n\n[DIALOG d_hello BUTTON]\nON=1\n\n[EOF]\n");
    const ServerRun r = run({"capture", "d_hello", "--server", serverBinary(), "--scripts", root + "shard", "--data",
                             root, "--args", "Greetings", "--out", "got.SDF"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList got = Document::loadProjectFile(root + "got.SDF");
    for (const QString &expected : {"Hello", "Greetings from Quillmark", "okay.bmp", "9200.bmp"})
        EXPECT_TRUE(got.contains(expected, Qt::CaseInsensitive)) << expected.toStdString() << ": " << got.join(u'|').toStdString();
    EXPECT_EQ(got.count("{BOP"), 2);
}

TEST_F(ScriptServerCommandsTest, AServerThatCannotBeAskedOrAWrongCommandLineIsStatusTwo)
{
    writeFile(root + "exits.sh", "#!/bin/sh\necho 'ERROR: no map files'\nexit 4\n");
    QFile::setPermissions(root + "exits.sh", QFile::permissions(root + "exits.sh") | QFileDevice::ExeOwner);
    const struct {
        QStringList args;
        QString err;
    } rows[] = {
        {{"preview", "clean.SDF", "--server", root + "missing", "--out", "p.png", "--data", root},
         "there is no server program at"},
        {{"preview", "clean.SDF", "--server", root + "exits.sh", "--out", "p.png", "--data", root}, "no map files"},
        {{"capture", "d_x", "--server", root + "exits.sh", "--scripts", root, "--out", "x.SDF", "--data", root},
         "no map files"},
        {{"preview", "clean.SDF", "--server", root + "exits.sh", "--out", "p.png", "--plevel", "9"},
         "--plevel needs a whole number from 0 to 7"},
        {{"capture", "d_x", "--server", root + "exits.sh", "--out", "x.SDF"}, "missing --scripts"},
        {{"preview", "clean.SDF", "--out", "p.png"}, "missing --server"},
    };
    for (const auto &row : rows) {
        const ServerRun r = run(row.args);
        EXPECT_EQ(r.status, 2) << row.args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(row.err)) << r.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(root + "p.png") || QFileInfo::exists(root + "x.SDF"));
    }
}

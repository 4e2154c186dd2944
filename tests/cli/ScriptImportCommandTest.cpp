#include "document/Document.h"
#include "support/FileFixtures.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int status = -1;
    QByteArray err;
};

Outcome runImport(const QString &root, const QStringList &args)
{
    QProcess p;
    p.setWorkingDirectory(root);
    // Without --data and without DATA/ here, the user's data folder is taken: keep it in the test's folder.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), root + QStringLiteral("xdg-data"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(QUILLMARK_SCRIPT_BINARY), QStringList{"import"} + args);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardError()};
}

} // namespace

TEST(ScriptImportCommand, WritesTheDesignOrNothing)
{
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    FileFixtures::writeFile(root + "d.scp", "[DIALOG d_x]\r\n10,20\r\ngumppic 1 2 500\r\ntooltip 1020\r\n");

    const Outcome ok = runImport(root, {"d.scp", "--name", "D_X", "--out", "out.SDF"});
    EXPECT_EQ(ok.status, 0);
    // A line the design holds as script: nothing to name, kept where it stood.
    EXPECT_EQ(ok.err, "");
    EXPECT_EQ(Document::loadProjectFile(root + "out.SDF"),
              QStringList({"{BOP", "0", "gumppic", "1", "2", "1F4.bmp", "script", "tooltip 1020", "}EOP", "LOCATION",
                           "10", "20", "MISC", "0", "0",
                           "DIALOGNAME", "D_X"}));

    const struct { QStringList args; int status; QByteArray err; } failures[] = {
        {{"d.scp", "--name", "other", "--out", "no.SDF"}, 1, "I found no dialog in file with such name\nThe file defines: d_x\n"},
        {{"none.scp", "--name", "d_x", "--out", "no.SDF"}, 1, "No such file (none.scp)\n"},
        {{"d.scp", "--out", "no.SDF"}, 2, ""},
        {{"d.scp", "--name", "d_x"}, 2, ""},
    };
    for (const auto &f : failures) {
        const Outcome r = runImport(root, f.args);
        EXPECT_EQ(r.status, f.status) << f.args.join(' ').toStdString();
        if (!f.err.isEmpty())
            EXPECT_EQ(r.err, f.err);
        EXPECT_FALSE(QFile::exists(root + "no.SDF"));
    }
}

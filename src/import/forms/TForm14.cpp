#include "import/forms/TForm14.h"
#include "import/SphereImport.h"
#include "ui/forms/EventGuard.h"
#include "ui/forms/Modal.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

TForm14::TForm14(QWidget *parent) : FixedDialog(parent, QStringLiteral("Import (55i - 99g only)"))
{
    setFixedSize(370, 300);
    setEscapeCloses(true); // as Close

    const auto group = [this](const QString &title, int top, int height) {
        auto *g = new QGroupBox(title, this);
        g->setGeometry(6, top, 358, height);
        return g;
    };
    QGroupBox *file = group(QStringLiteral("Sphere File"), 4, 50);
    Edit1 = new QLineEdit(QStringLiteral("Sphere Script to open"), file);
    Edit1->setReadOnly(true);
    Edit1->setGeometry(8, 20, 262, 22);
    Button1 = new QPushButton(QStringLiteral("Browse"), file);
    Button1->setGeometry(276, 19, 74, 24);

    QGroupBox *name = group(QStringLiteral("Dialog name"), 58, 50);
    Edit2 = new QLineEdit(QStringLiteral("Name of Dialog"), name);
    Edit2->setGeometry(8, 20, 342, 22);

    QGroupBox *scan = group(QStringLiteral("File scan"), 112, 44);
    ProgressBar1 = new QProgressBar(scan);
    ProgressBar1->setGeometry(8, 18, 342, 18);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(0);

    QGroupBox *errors = group(QStringLiteral("Errors"), 160, 100);
    ListBox1 = new QListWidget(errors);
    ListBox1->setGeometry(8, 18, 342, 74);

    Button2 = new QPushButton(QStringLiteral("Import"), this);
    Button2->setGeometry(206, 268, 76, 26);
    Button3 = new QPushButton(QStringLiteral("Close"), this);
    Button3->setGeometry(288, 268, 76, 26);

    EventGuard::connect(Button1, &QPushButton::clicked, this, &TForm14::Button1Click);
    EventGuard::connect(Button2, &QPushButton::clicked, this, &TForm14::Button2Click);
    EventGuard::connect(Button3, &QPushButton::clicked, this, &TForm14::Button3Click);
}

void TForm14::Button1Click()
{
    const QString path = Modal::openFile(ScriptFilter);
    if (!path.isEmpty())
        Edit1->setText(path);
}

void TForm14::Button2Click()
{
    m_imported.clear();
    ListBox1->clear();
    ProgressBar1->setValue(0);
    const auto progress = [this](int done, int total) {
        ProgressBar1->setMaximum(std::max(1, total));
        ProgressBar1->setValue(done);
    };
    const ImportResult result = SphereImport::importFile(Edit1->text(), Edit2->text(), m_appDir, progress);
    ListBox1->addItems(result.errors);
    if (!result.imported)
        return;
    m_imported = result.lines;
    accept();
}

void TForm14::Button3Click()
{
    reject();
}

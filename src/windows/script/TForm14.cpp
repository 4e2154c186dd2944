#include "windows/script/TForm14.h"
#include "sphere/SphereDialect.h"
#include "sphere/SphereImport.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/Modal.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

TForm14::TForm14(QWidget *parent) : FixedDialog(parent, QStringLiteral("Import (%1 only)").arg(SphereDialect::V55iTo99g))
{
    setFixedSize(370, 300);
    setEscapeCloses(true); // as Close

    const auto group = [this](const QString &title, int top, int height) {
        auto *g = new QGroupBox(title, this);
        g->setGeometry(6, top, 358, height);
        return g;
    };
    QGroupBox *file = group(QStringLiteral("Sphere File"), 4, 50);
    Edit1 = new QLineEdit(file);
    Edit1->setPlaceholderText(QStringLiteral("Sphere Script to open"));
    Edit1->setGeometry(8, 20, 262, 22);
    Button1 = new QPushButton(QStringLiteral("Browse"), file);
    Button1->setGeometry(276, 19, 74, 24);

    QGroupBox *name = group(QStringLiteral("Dialog name"), 58, 50);
    ComboBox1 = new QComboBox(name);
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->lineEdit()->setPlaceholderText(QStringLiteral("Name of Dialog"));
    ComboBox1->setGeometry(8, 20, 342, 22);

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
    // A typed file name is read once the typing is done (Return or leaving the field).
    EventGuard::connect(Edit1, &QLineEdit::editingFinished, this, &TForm14::offerDialogNames);
    Edit1->installEventFilter(this);
    // Return imports, from the name box; in the file field it goes on to the name.
    Button1->setAutoDefault(false);
    Button3->setAutoDefault(false);
    Button2->setDefault(true);
}

bool TForm14::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            EventGuard::run([this] { offerDialogNames(); });
            ComboBox1->setFocus(Qt::TabFocusReason);
            ComboBox1->lineEdit()->selectAll();
            return true;
        }
    }
    return FixedDialog::eventFilter(watched, event);
}

void TForm14::setScriptFile(const QString &path)
{
    Edit1->setText(path);
    offerDialogNames();
}

// The dialogs of the chosen file, the first preselected; without any the
// name typed stays.
void TForm14::offerDialogNames()
{
    const QString path = Edit1->text().trimmed();
    if (path == m_namesOf)
        return;
    m_namesOf = path;
    const QString typed = ComboBox1->currentText();
    const QStringList names = SphereImport::dialogNamesInFile(path);
    ComboBox1->clear();
    ComboBox1->addItems(names);
    if (names.isEmpty())
        ComboBox1->setEditText(typed);
    else
        ComboBox1->setCurrentIndex(0);
}

void TForm14::Button1Click()
{
    const QString path = Modal::openFile(ScriptFilter);
    if (!path.isEmpty())
        setScriptFile(path);
}

void TForm14::startRun()
{
    m_imported.clear();
    m_notes.clear();
    m_importedName.clear();
    ListBox1->clear();
    ProgressBar1->setValue(0);
}

void TForm14::Button2Click()
{
    startRun();
    const auto progress = [this](int done, int total) {
        ProgressBar1->setMaximum(std::max(1, total));
        ProgressBar1->setValue(done);
    };
    offerDialogNames();
    const ImportResult result = SphereImport::importFile(Edit1->text().trimmed(), ComboBox1->currentText(), m_appDir,
                                                         progress);
    ListBox1->addItems(result.errors);
    if (!result.imported)
        return;
    m_imported = result.lines;
    m_notes = result.notes;
    m_importedName = ComboBox1->currentText().trimmed();
    accept();
}

void TForm14::Button3Click()
{
    reject();
}

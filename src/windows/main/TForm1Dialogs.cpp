// The main window's answers to the core's questions: the element and
// property windows, the document's prompts and start-up, and the dialog-wide
// "Location" and "Misc" windows.
#include "document/DocumentCommands.h"
#include "platform/AppInfo.h"
#include "windows/art/TForm17.h"
#include "windows/art/TForm3.h"
#include "windows/art/TForm6.h"
#include "windows/art/TForm7.h"
#include "windows/elements/TForm11.h"
#include "windows/elements/TForm2.h"
#include "windows/elements/TForm4.h"
#include "windows/main/TForm1.h"
#include "windows/options/TForm12.h"
#include "windows/options/TForm13.h"
#include "windows/options/TForm9.h"
#include "windows/script/TForm14.h"
#include "windows/update/TForm15.h"
#include "windows/widgets/Modal.h"
#include "windows/widgets/SpinEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

// ---- The element and property windows -------------------------------------

std::optional<QString> TForm1::pickImage(const QString &folder, PickerMode mode)
{
    Form2->ButtonMode = mode == PickerMode::Button;
    Form2->ResizepicMode = mode == PickerMode::Resizepic;
    Form2->setFolder(folder);
    if (Modal::exec(*Form2) != QDialog::Accepted)
        return std::nullopt;
    return Form2->selectedFile();
}

ElementDialogs::ButtonOptions TForm1::askButtonOptions()
{
    const bool accepted = Modal::exec(*Form11) == QDialog::Accepted;
    ButtonOptions chosen = Form11->options();
    chosen.cancelled = !accepted;
    return chosen;
}

int TForm1::askHue()
{
    Form3->ScrollBar1Change();
    Modal::exec(*Form3);
    return Form3->SelectedHue;
}

QString TForm1::askText()
{
    Modal::exec(*Form4);
    return Form4->text();
}

std::optional<int> TForm1::editHue(std::optional<int> hue)
{
    Form3->preselect(hue);
    Modal::exec(*Form3);
    return Form3->chose() ? std::optional<int>(Form3->SelectedHue) : std::nullopt;
}

QString TForm1::editText(const QString &text)
{
    Form4->setText(text);
    return askText();
}

ElementDialogs::ButtonOptions TForm1::editButtonOptions(const ButtonOptions &options)
{
    Form11->setOptions(options);
    const ButtonOptions chosen = askButtonOptions();
    return chosen.cancelled ? options : chosen;
}

// ---- The document's prompts -------------------------------------------------

LifecycleHost::SaveAnswer TForm1::askSaveChanges()
{
    switch (Modal::askSaveChanges()) {
    case Modal::SaveAnswer::Save:
        return SaveAnswer::Save;
    case Modal::SaveAnswer::Discard:
        return SaveAnswer::Discard;
    case Modal::SaveAnswer::Cancel:
        break;
    }
    return SaveAnswer::Cancel;
}

QString TForm1::askOpenPath()
{
    return Modal::openFile(AppInfo::OpenFilter);
}

QString TForm1::askSavePath()
{
    return Modal::saveFile(AppInfo::ProjectFilter);
}

void TForm1::documentSaved()
{
    updateTitle();
    rememberRecent(m_state.FileName);
    Label8->setText(QStringLiteral("Project Saved"));
}

std::optional<LifecycleHost::ImportedScript> TForm1::askImport()
{
    Form14->setAppDir(m_state.AppDir);
    Form14->startRun();
    if (Modal::exec(*Form14) != QDialog::Accepted)
        return std::nullopt;
    return ImportedScript{Form14->importedLines(), Form14->importedNotes(), Form14->importedName()};
}

// ---- Start-up -----------------------------------------------------------------

void TForm1::useDataFolder(const QString &dir)
{
    m_renderer.setAppDir(dir);   // also builds the text index from the hue library there
    Form3->setAppDir(dir);
    Form17->setAppDir(dir);
    Form6->setAppDir(dir);
    Form7->setAppDir(dir);
}

bool TForm1::runStartWindow(const QString &dir)
{
    Form12->DefaultsRunning = false;
    Form15->Folder = dir;
    Form15->Timer1->start();
    Modal::exec(*Form15);
    return Form15->updateStarted();
}

void TForm1::firstDocumentReady()
{
    m_view.invalidate();
    applyCreationStyle();
    DRAWClick();
}

void TForm1::importScript(const QString &path)
{
    Form14->setScriptFile(path);
    Button12Click();
}

void TForm1::warn(const QString &text)
{
    Modal::warning(text);
}

// ---- "Location on screen" and "Misc Dialog" -------------------------------------

void TForm1::Button11Click()
{
    if (const auto location = DocumentCommands::location(m_state))
        Form9->setPlacement(*location);
    Modal::exec(*Form9);
    DocumentCommands::storeLocation(m_state, Form9->placement());
}

void TForm1::Button16Click()
{
    if (const auto flags = DocumentCommands::windowFlags(m_state))
        Form13->setFlags(*flags);
    Form13->setCloseBlock(DocumentCommands::closeBlock(m_state));
    Modal::exec(*Form13);
    DocumentCommands::storeWindowFlags(m_state, Form13->flags());
    DocumentCommands::storeCloseBlock(m_state, Form13->closeBlock());
}


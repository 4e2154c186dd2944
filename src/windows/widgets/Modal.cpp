#include "windows/widgets/Modal.h"
#include "platform/AppInfo.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

namespace Modal {

namespace {

// Shows everything to the user.
class ScreenDriver final : public Driver
{
public:
    int exec(QDialog &window) override { return window.exec(); }

    void message(MessageKind kind, const QString &caption, const QString &text) override
    {
        const QMessageBox::Icon icon = kind == MessageKind::Error     ? QMessageBox::Critical
                                       : kind == MessageKind::Warning ? QMessageBox::Warning
                                                                      : QMessageBox::Information;
        QMessageBox box(icon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    }

    std::optional<QString> inputText(const QString &caption, const QString &prompt, const QString &initial) override
    {
        bool ok = false;
        const QString text = QInputDialog::getText(QApplication::activeWindow(), caption, prompt,
                                                   QLineEdit::Normal, initial, &ok);
        if (!ok)
            return std::nullopt;
        return text;
    }

    QString openFileName(const QString &filter) override { return openFileNameIn(filter, QString()); }
    QString saveFileName(const QString &filter) override { return saveFileNameIn(filter, QString()); }
    QString openFileNameIn(const QString &filter, const QString &folder) override
    {
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), folder, filter);
    }
    QString saveFileNameIn(const QString &filter, const QString &folder) override
    {
        return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), folder, filter);
    }

    QString folderName(const QString &initial) override
    {
        return QFileDialog::getExistingDirectory(QApplication::activeWindow(), QString(), initial);
    }
    std::optional<QColor> color(const QColor &initial) override
    {
        const QColor chosen = QColorDialog::getColor(initial, QApplication::activeWindow());
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    }

    bool confirm(const QString &caption, const QString &text) override
    {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                        QApplication::activeWindow());
        return box.exec() == QMessageBox::Yes;
    }

    SaveAnswer saveChanges(const QString &caption, const QString &text) override
    {
        QMessageBox box(QMessageBox::Question, caption, text,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QApplication::activeWindow());
        box.setDefaultButton(QMessageBox::Save);
        switch (box.exec()) {
        case QMessageBox::Save: return SaveAnswer::Save;
        case QMessageBox::Discard: return SaveAnswer::Discard;
        default: return SaveAnswer::Cancel;
        }
    }
};

ScreenDriver screenDriver;
Driver *current = &screenDriver;
QString designFolder;    // of the open design's file
QString lastFolder;      // of the last file chosen

QString chosen(const QString &path)
{
    if (!path.isEmpty())
        lastFolder = QFileInfo(path).absolutePath();
    return path;
}

} // namespace

bool Driver::confirm(const QString &, const QString &)
{
    return false;
}

SaveAnswer Driver::saveChanges(const QString &, const QString &)
{
    return SaveAnswer::Cancel;
}

Scope::Scope(Driver &driver) : m_previous(current)
{
    current = &driver;
}

Scope::~Scope()
{
    current = m_previous;
}

int exec(QDialog &window)
{
    return current->exec(window);
}

void warning(const QString &text)
{
    current->message(MessageKind::Warning, WarningCaption, text);
}

void error(const QString &text)
{
    current->message(MessageKind::Error, AppInfo::Title, text);
}

std::optional<QString> inputBox(const QString &caption, const QString &prompt, const QString &initial)
{
    return current->inputText(caption, prompt, initial);
}

QString openFile(const QString &filter)
{
    return chosen(current->openFileNameIn(filter, fileFolder()));
}

QString saveFile(const QString &filter)
{
    return chosen(current->saveFileNameIn(filter, fileFolder()));
}

void setDesignFolder(const QString &folder)
{
    designFolder = folder;
}

QString fileFolder()
{
    return designFolder.isEmpty() ? lastFolder : designFolder;
}

QString chooseFolder(const QString &initial)
{
    return current->folderName(initial);
}

std::optional<QColor> chooseColor(const QColor &initial)
{
    return current->color(initial);
}

bool confirm(const QString &text)
{
    return current->confirm(ConfirmCaption, text);
}

SaveAnswer askSaveChanges()
{
    return current->saveChanges(AppInfo::Title, QStringLiteral("Save changes?"));
}

} // namespace Modal

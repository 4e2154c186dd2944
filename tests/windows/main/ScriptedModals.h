#pragma once

#include "windows/widgets/Modal.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <optional>

// Answers every modal window, message box, input box and file or colour
// dialog in place of a person, from a script the test writes beforehand.
// Windows are shown, handed to the test's action (set values, press
// buttons), and must be closed by it. Message boxes need no answer; they are
// recorded. Anything shown that the script did not expect fails the test.
class ScriptedModals : public Modal::Driver
{
public:
    ScriptedModals();
    ~ScriptedModals() override;

    // The next modal window must be a W; act on it.
    template <typename W>
    void onWindow(std::function<void(W &)> action)
    {
        m_steps.push_back({Step::Window, [action](QDialog &d) -> bool {
                               W *w = qobject_cast<W *>(&d);
                               if (!w)
                                   return false;
                               action(*w);
                               return true;
                           }, {}, {}});
    }
    // The next modal window must be a W; close it as it is (Escape aside, its
    // Ok or Close button).
    template <typename W>
    void acceptWindow()
    {
        onWindow<W>([](W &w) { w.accept(); });
    }
    // The next modal window must be one with this caption that closes by
    // itself (its timers drive it); it runs as shown to the user, for at most
    // timeoutMs.
    void runWindow(const QString &caption, int timeoutMs = 10000);
    void answerInput(std::optional<QString> text);
    void answerConfirm(bool yes);
    void answerSaveChanges(Modal::SaveAnswer answer);
    void answerOpenFile(const QString &path);  // empty: cancelled
    void answerSaveFile(const QString &path);  // empty: cancelled
    void answerColor(std::optional<QColor> color);

    struct Shown
    {
        QString kind;     // "window", "Warning", "Error", "Information", "input", "open", "save", "color", "confirm", "save changes"
        QString caption;  // window title or box caption
        QString text;     // message, prompt, file filter; a colour dialog's initial colour as "#rrggbb"
    };
    const QList<Shown> &shown() const { return m_shown; }
    QStringList messages(Modal::MessageKind kind) const;
    QStringList windowCaptions() const;
    bool finished() const { return m_steps.empty(); }
    // Forgets what was shown so far (the start-up a fixture ran).
    void forgetShown() { m_shown.clear(); }

    int exec(QDialog &window) override;
    void message(Modal::MessageKind kind, const QString &caption, const QString &text) override;
    std::optional<QString> inputText(const QString &caption, const QString &prompt, const QString &initial) override;
    QString openFileName(const QString &filter) override;
    QString saveFileName(const QString &filter) override;
    QString openFileNameIn(const QString &filter, const QString &folder) override;
    QString saveFileNameIn(const QString &filter, const QString &folder) override;
    // The folder each file dialog started in, and the initial text of each input box, in order.
    QStringList fileFolders;
    QStringList inputInitials;
    std::optional<QColor> color(const QColor &initial) override;
    bool confirm(const QString &caption, const QString &text) override;
    Modal::SaveAnswer saveChanges(const QString &caption, const QString &text) override;

private:
    struct Step
    {
        enum Kind { Window, Input, Open, Save, Color, Confirm, SaveChanges } kind;
        std::function<bool(QDialog &)> window;
        std::optional<QString> text;
        std::optional<QColor> color;
        bool yes = false;
        Modal::SaveAnswer answer = Modal::SaveAnswer::Cancel;
    };
    std::optional<Step> next(Step::Kind kind, const QString &what);

    std::deque<Step> m_steps;
    QList<Shown> m_shown;
    Modal::Scope m_scope;
};

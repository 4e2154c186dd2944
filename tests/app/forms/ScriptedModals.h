#pragma once

#include "ui/forms/Modal.h"

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
    void answerInput(std::optional<QString> text);
    void answerOpenFile(const QString &path);  // empty: cancelled
    void answerSaveFile(const QString &path);  // empty: cancelled
    void answerColor(std::optional<QColor> color);

    struct Shown
    {
        QString kind;     // "window", "Warning", "Error", "Information", "input", "open", "save", "color"
        QString caption;  // window title or box caption
        QString text;     // message, prompt, file filter; a colour dialog's initial colour as "#rrggbb"
    };
    const QList<Shown> &shown() const { return m_shown; }
    QStringList messages(Modal::MessageKind kind) const;
    QStringList windowCaptions() const;
    bool finished() const { return m_steps.empty(); }

    int exec(QDialog &window) override;
    void message(Modal::MessageKind kind, const QString &caption, const QString &text) override;
    std::optional<QString> inputText(const QString &caption, const QString &prompt, const QString &initial) override;
    QString openFileName(const QString &filter) override;
    QString saveFileName(const QString &filter) override;
    std::optional<QColor> color(const QColor &initial) override;

private:
    struct Step
    {
        enum Kind { Window, Input, Open, Save, Color } kind;
        std::function<bool(QDialog &)> window;
        std::optional<QString> text;
        std::optional<QColor> color;
    };
    std::optional<Step> next(Step::Kind kind, const QString &what);

    std::deque<Step> m_steps;
    QList<Shown> m_shown;
    Modal::Scope m_scope;
};

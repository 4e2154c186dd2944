#include "windows/main/ScriptedModals.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

ScriptedModals::ScriptedModals() : m_scope(*this) {}

ScriptedModals::~ScriptedModals()
{
    EXPECT_TRUE(m_steps.empty()) << m_steps.size() << " scripted answer(s) never asked for";
}

void ScriptedModals::answerInput(std::optional<QString> text)
{
    m_steps.push_back({Step::Input, {}, std::move(text), {}});
}

void ScriptedModals::answerConfirm(bool yes)
{
    Step step{Step::Confirm, {}, {}, {}};
    step.yes = yes;
    m_steps.push_back(std::move(step));
}

void ScriptedModals::answerSaveChanges(Modal::SaveAnswer answer)
{
    Step step{Step::SaveChanges, {}, {}, {}};
    step.answer = answer;
    m_steps.push_back(std::move(step));
}

void ScriptedModals::runWindow(const QString &caption, int timeoutMs)
{
    m_steps.push_back({Step::Window, [caption, timeoutMs](QDialog &window) -> bool {
                           if (window.windowTitle() != caption)
                               return false;
                           QEventLoop loop;
                           QObject::connect(&window, &QDialog::finished, &loop, &QEventLoop::quit);
                           QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
                           if (window.isVisible())
                               loop.exec();
                           return true;
                       }, {}, {}});
}

void ScriptedModals::answerOpenFile(const QString &path)
{
    m_steps.push_back({Step::Open, {}, path, {}});
}

void ScriptedModals::answerSaveFile(const QString &path)
{
    m_steps.push_back({Step::Save, {}, path, {}});
}

void ScriptedModals::answerColor(std::optional<QColor> color)
{
    m_steps.push_back({Step::Color, {}, {}, std::move(color)});
}

QStringList ScriptedModals::messages(Modal::MessageKind kind) const
{
    const QString name = kind == Modal::MessageKind::Warning ? QStringLiteral("Warning")
                         : kind == Modal::MessageKind::Error ? QStringLiteral("Error")
                                                             : QStringLiteral("Information");
    QStringList texts;
    for (const Shown &s : m_shown)
        if (s.kind == name)
            texts << s.text;
    return texts;
}

QStringList ScriptedModals::windowCaptions() const
{
    QStringList captions;
    for (const Shown &s : m_shown)
        if (s.kind == u"window")
            captions << s.caption;
    return captions;
}

std::optional<ScriptedModals::Step> ScriptedModals::next(Step::Kind kind, const QString &what)
{
    if (m_steps.empty() || m_steps.front().kind != kind) {
        ADD_FAILURE() << "unexpected " << what.toStdString();
        return std::nullopt;
    }
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    return step;
}

int ScriptedModals::exec(QDialog &window)
{
    m_shown.append({QStringLiteral("window"), window.windowTitle(), QString()});
    auto step = next(Step::Window, QStringLiteral("window \"%1\"").arg(window.windowTitle()));
    if (!step)
        return QDialog::Rejected;
    window.setResult(QDialog::Rejected);
    window.show();
    if (!step->window(window))
        ADD_FAILURE() << "window \"" << window.windowTitle().toStdString() << "\" is not the one expected";
    if (window.isVisible()) {
        ADD_FAILURE() << "window \"" << window.windowTitle().toStdString() << "\" was left open";
        window.hide();
        return QDialog::Rejected;
    }
    return window.result();
}

void ScriptedModals::message(Modal::MessageKind kind, const QString &caption, const QString &text)
{
    const QString name = kind == Modal::MessageKind::Warning ? QStringLiteral("Warning")
                         : kind == Modal::MessageKind::Error ? QStringLiteral("Error")
                                                             : QStringLiteral("Information");
    m_shown.append({name, caption, text});
}

QString ScriptedModals::openFileNameIn(const QString &filter, const QString &folder)
{
    fileFolders << folder;
    return openFileName(filter);
}

QString ScriptedModals::saveFileNameIn(const QString &filter, const QString &folder)
{
    fileFolders << folder;
    return saveFileName(filter);
}

std::optional<QString> ScriptedModals::inputText(const QString &caption, const QString &prompt, const QString &initial)
{
    inputInitials << initial;
    m_shown.append({QStringLiteral("input"), caption, prompt});
    auto step = next(Step::Input, QStringLiteral("input box \"%1\"").arg(caption));
    return step ? step->text : std::nullopt;
}

QString ScriptedModals::openFileName(const QString &filter)
{
    m_shown.append({QStringLiteral("open"), QString(), filter});
    auto step = next(Step::Open, QStringLiteral("open dialog"));
    return step ? step->text.value_or(QString()) : QString();
}

QString ScriptedModals::saveFileName(const QString &filter)
{
    m_shown.append({QStringLiteral("save"), QString(), filter});
    auto step = next(Step::Save, QStringLiteral("save dialog"));
    return step ? step->text.value_or(QString()) : QString();
}

std::optional<QColor> ScriptedModals::color(const QColor &initial)
{
    m_shown.append({QStringLiteral("color"), QString(), initial.name()});
    auto step = next(Step::Color, QStringLiteral("colour dialog"));
    return step ? step->color : std::nullopt;
}

bool ScriptedModals::confirm(const QString &caption, const QString &text)
{
    m_shown.append({QStringLiteral("confirm"), caption, text});
    auto step = next(Step::Confirm, QStringLiteral("question \"%1\"").arg(text));
    return step && step->yes;
}

Modal::SaveAnswer ScriptedModals::saveChanges(const QString &caption, const QString &text)
{
    m_shown.append({QStringLiteral("save changes"), caption, text});
    auto step = next(Step::SaveChanges, QStringLiteral("question \"%1\"").arg(text));
    return step ? step->answer : Modal::SaveAnswer::Cancel;
}

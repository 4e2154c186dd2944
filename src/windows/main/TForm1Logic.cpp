// The main window's tools for a dialog's script logic: script lines in the
// Insert menu, the Logic menu's moves, and the branch shown in the View menu.
#include "windows/main/TForm1.h"
#include "document/BranchChoice.h"
#include "document/ScriptLineCommands.h"
#include "windows/widgets/EventGuard.h"

#include <QComboBox>
#include <QLabel>
#include <QMenuBar>

void TForm1::buildLogicTools()
{
    using ScriptLineCommands::Form;
    InsertMenu->addSeparator();
    const std::pair<Form, const char *> forms[] = {
        {Form::If, "InsertIf"}, {Form::IfElse, "InsertIfElse"}, {Form::For, "InsertFor"}, {Form::Local, "InsertLocal"}};
    for (const auto &[form, name] : forms) {
        QAction *action = InsertMenu->addAction(ScriptLineCommands::nameOf(form));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, form] {
            runLogicCommand([form](EditorState &s) { return ScriptLineCommands::insert(s, form); });
        });
    }

    LogicMenu = new QMenu(QStringLiteral("Logic"), this);
    menuBar()->insertMenu(SphereMenu ? SphereMenu->menuAction() : nullptr, LogicMenu);
    const std::tuple<const char *, const char *, QKeySequence, bool (*)(EditorState &)> moves[] = {
        {"Move Up", "LogicMoveUp", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up), ScriptLineCommands::moveUp},
        {"Move Down", "LogicMoveDown", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down), ScriptLineCommands::moveDown},
        {"Move Out of Its Block", "LogicMoveOut", QKeySequence(), ScriptLineCommands::moveOutOfBlock},
        {"Duplicate Script Line", "LogicDuplicate", QKeySequence(), ScriptLineCommands::duplicateLine},
    };
    for (const auto &[text, name, keys, command] : moves) {
        QAction *action = LogicMenu->addAction(QString::fromLatin1(text));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this, command] { runLogicCommand(command); });
    }

    // The branch shown is a view option: it changes what is drawn, never the design.
    QMenu *branches = ViewMenu->addMenu(QStringLiteral("Branches"));
    branches->setObjectName(QStringLiteral("BranchesMenu"));
    const auto setBranches = [this](const BranchChoice &choice, const QString &said) {
        ViewOptions view = ViewOptions::of(m_state);
        view.Branches = choice;
        m_session.setViewOptions(view);
        Label8->setText(said);
    };
    QAction *first = branches->addAction(QStringLiteral("First Branch of Each Condition"));
    first->setObjectName(QStringLiteral("BranchesFirst"));
    connect(first, &QAction::triggered, this, [setBranches] {
        setBranches(BranchChoice(), QStringLiteral("Each condition shows its first branch"));
    });
    QAction *all = branches->addAction(QStringLiteral("All Branches"));
    all->setObjectName(QStringLiteral("BranchesAll"));
    connect(all, &QAction::triggered, this, [setBranches] {
        setBranches(*BranchChoice::parse(QStringLiteral("all")), QStringLiteral("Every branch of every condition is shown"));
    });
    QAction *next = branches->addAction(QStringLiteral("Next Branch of the Selected Condition"));
    next->setObjectName(QStringLiteral("BranchesNext"));
    next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    connect(next, &QAction::triggered, this, [this, setBranches] {
        const LogicView logic(m_state.DATA.lines(), m_state.Branches);
        const int condition = logic.conditionAround(m_state.SelectedLine);
        if (condition < 0) {
            Label8->setText(QStringLiteral("Select a condition's line or a control inside it first"));
            return;
        }
        BranchChoice choice = m_state.Branches;
        choice.all = false;
        const int count = std::max(logic.branchCount(condition), 1);
        const int branch = (choice.branchOf(condition) + 1) % count;
        choice.choose(condition, branch);
        setBranches(choice, QStringLiteral("\"%1\" shows its branch %2 of %3")
                                .arg(m_state.DATA.line(logic.openerOf(condition) + Records::ScriptLineField).trimmed())
                                .arg(branch + 1)
                                .arg(count));
    });
}

void TForm1::runLogicCommand(const std::function<bool(EditorState &)> &command)
{
    EventGuard::run([&] {
        if (!command(m_state))
            return;
        DRAWClick();
        if (const qsizetype entry = m_state.LineList.indexOf(m_state.SelectedLine); entry >= 0) {
            ComboBox1->setCurrentIndex(int(entry));
            ComboBox1Change();
        }
        showControlProperties();
    });
}

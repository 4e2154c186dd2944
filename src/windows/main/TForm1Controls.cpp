// The main window's tools for the newer element kinds: the "Insert" menu and
// the property panel dock.
#include "windows/main/TForm1.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/PropertyPanel.h"

#include <QComboBox>
#include <QDockWidget>
#include <QMenuBar>
#include <QScrollArea>

void TForm1::buildControlTools()
{
    InsertMenu = new QMenu(QStringLiteral("Insert"), this);
    menuBar()->insertMenu(SphereMenu ? SphereMenu->menuAction() : nullptr, InsertMenu);
    for (const ElementKind kind : Records::allKinds()) {
        if (ControlCommands::fieldsOf(kind).isEmpty())
            continue;
        QString word = Records::wordOf(kind);
        word[0] = word[0].toUpper();
        QAction *action = InsertMenu->addAction(word);
        action->setObjectName(QStringLiteral("Insert") + word);
        connect(action, &QAction::triggered, this, [this, kind] { insertControlClick(kind); });
    }

    PropertiesDock = new QDockWidget(QStringLiteral("Properties"), this);
    PropertiesDock->setObjectName(QStringLiteral("PropertiesDock"));
    PropertiesDock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    Properties = new PropertyPanel(m_state, PropertiesDock);
    auto *scroll = new QScrollArea(PropertiesDock);
    scroll->setWidget(Properties);
    scroll->setWidgetResizable(true);
    PropertiesDock->setWidget(scroll);
    addDockWidget(Qt::RightDockWidgetArea, PropertiesDock);
    PropertiesDock->hide();
}

void TForm1::insertControlClick(ElementKind kind)
{
    EventGuard::run([&] {
        if (!ControlCommands::insertControl(m_state, *this, kind))
            return;
        DRAWClick();
        // Chosen in the select list as if by the user, so every control follows.
        if (const qsizetype entry = m_state.LineList.indexOf(m_state.SelectedLine); entry >= 0) {
            ComboBox1->setCurrentIndex(int(entry));
            ComboBox1Change();
        }
        showControlProperties();
    });
}

void TForm1::showControlProperties()
{
    if (!Properties)
        return;
    PropertiesDock->setVisible(Properties->showSelection());
}

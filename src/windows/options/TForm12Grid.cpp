// The options window's "Grid" tab: the canvas grid and snapping.
#include "platform/NumberText.h"
#include "windows/options/TForm12.h"
#include "windows/widgets/ColorSwatch.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/SpinEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

void TForm12::buildGridPage(QTabWidget *tabs)
{
    auto *page = new QWidget(tabs);
    auto *grid = new QGridLayout(page);
    tabs->addTab(page, QStringLiteral("Grid"));
    GridShow = new QCheckBox(QStringLiteral("Show the grid over the canvas"), page);
    GridSnap = new QCheckBox(QStringLiteral("Snap to the grid and to other elements' edges"), page);
    GridSpacing = new SpinEdit(page);
    GridSpacing->setLimits(Settings::gridSpacingMin, Settings::gridSpacingMax);
    GridColorButton = new QPushButton(QStringLiteral("Grid Color"), page);
    GridColor = new ColorSwatch(page);
    GridColor->setFixedSize(25, 25);
    grid->addWidget(GridShow, 0, 0, 1, 3);
    grid->addWidget(GridSnap, 1, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Spacing"), page), 2, 0);
    grid->addWidget(GridSpacing, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("pixels"), page), 2, 2);
    grid->addWidget(GridColorButton, 3, 0);
    grid->addWidget(GridColor, 3, 1);
    grid->setRowStretch(4, 1);
    EventGuard::connect(GridColorButton, &QPushButton::clicked, this, [this] { chooseRulerColor(GridColor); });
}

void TForm12::showGrid(const Settings &s)
{
    GridShow->setChecked(s.gridShow);
    GridSnap->setChecked(s.gridSnap);
    GridSpacing->setText(QString::number(s.gridSpacing));
    GridColor->setColor(s.gridColor);
}

void TForm12::takeGrid(Settings &s) const
{
    s.gridShow = GridShow->isChecked();
    s.gridSnap = GridSnap->isChecked();
    s.gridSpacing = NumberText::tryParse(GridSpacing->text()).value_or(Settings().gridSpacing);
    s.gridColor = GridColor->color();
}

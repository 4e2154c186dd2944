#include "windows/options/TForm12.h"
#include "platform/IniFile.h"
#include "platform/NumberText.h"
#include "windows/widgets/ColorSwatch.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/Modal.h"
#include "windows/widgets/SpinEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QWidget *page(QTabWidget *tabs, const QString &caption)
{
    auto *w = new QWidget(tabs);
    new QGridLayout(w);
    tabs->addTab(w, caption);
    return w;
}

QGridLayout *grid(QWidget *w)
{
    return static_cast<QGridLayout *>(w->layout());
}

QComboBox *choiceBox(QWidget *parent, const QStringList &items)
{
    auto *box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->addItems(items);
    return box;
}

SpinEdit *spin(QWidget *parent, int minimum, int maximum)
{
    auto *s = new SpinEdit(parent);
    s->setLimits(minimum, maximum);
    return s;
}

ColorSwatch *swatch(QWidget *parent)
{
    auto *s = new ColorSwatch(parent);
    s->setFixedSize(25, 25);
    return s;
}

int numberOr(const SpinEdit *spin, int fallback)
{
    return NumberText::tryParse(spin->text()).value_or(fallback);
}

// Typing is free while it goes on; what counts is held to the spin's range.
int numberWithin(const SpinEdit *spin, int fallback, int minimum, int maximum)
{
    return std::clamp(numberOr(spin, fallback), minimum, maximum);
}

} // namespace

TForm12::TForm12(QWidget *parent) : FixedDialog(parent, QStringLiteral("Options"))
{
    Location = SettingsLocation::forThisProgram();
    buildLayout();
    connectControls();
    showSettings(Options);
}

void TForm12::buildLayout()
{
    auto *layout = new QVBoxLayout(this);
    PageControl1 = new QTabWidget(this);
    PageControl1->setUsesScrollButtons(false);   // all eight tabs in view
    layout->addWidget(PageControl1);

    QWidget *engine = page(PageControl1, QStringLiteral("Realtime Engine"));
    CheckBox8 = new QCheckBox(QStringLiteral("Perfect Text"), engine);
    CheckBox1 = new QCheckBox(QStringLiteral("Transparent"), engine);
    Button1 = new QPushButton(QStringLiteral("Back Ground Color"), engine);
    Shape1 = swatch(engine);
    Button4 = new QPushButton(QStringLiteral("Selection Color"), engine);
    Shape2 = swatch(engine);
    CheckBox9 = new QCheckBox(QStringLiteral("Cache Images"), engine);
    CheckBox6 = new QCheckBox(QStringLiteral("Time Drawing"), engine);
    CheckBox7 = new QCheckBox(QStringLiteral("Show Draw Gauge"), engine);
    auto *rectangle = new QGroupBox(QStringLiteral("Selection Rectangle"), engine);
    auto *rectangleLayout = new QVBoxLayout(rectangle);
    RadioButton4 = new QRadioButton(QStringLiteral("Black Color Black"), rectangle);
    RadioButton5 = new QRadioButton(QStringLiteral("All Selection Color"), rectangle);
    rectangleLayout->addWidget(RadioButton4);
    rectangleLayout->addWidget(RadioButton5);
    grid(engine)->addWidget(CheckBox8, 0, 0);
    grid(engine)->addWidget(CheckBox1, 1, 0);
    grid(engine)->addWidget(CheckBox9, 2, 0);
    grid(engine)->addWidget(CheckBox6, 3, 0);
    grid(engine)->addWidget(CheckBox7, 4, 0);
    grid(engine)->addWidget(Button1, 0, 1);
    grid(engine)->addWidget(Shape1, 0, 2);
    grid(engine)->addWidget(Button4, 1, 1);
    grid(engine)->addWidget(Shape2, 1, 2);
    grid(engine)->addWidget(rectangle, 2, 1, 3, 2);

    QWidget *autosave = page(PageControl1, QStringLiteral("AutoSave"));
    RadioButton1 = new QRadioButton(QStringLiteral("Autosave on Redraw"), autosave);
    RadioButton2 = new QRadioButton(QStringLiteral("Autosave on time"), autosave);
    RadioButton3 = new QRadioButton(QStringLiteral("Autosave off"), autosave);
    CSpinEdit1 = spin(autosave, Settings::autoEveryMin, Settings::autoEveryMax);
    CSpinEdit2 = spin(autosave, Settings::autoTotalMin, Settings::autoTotalMax);
    grid(autosave)->addWidget(RadioButton1, 0, 0, 1, 3);
    grid(autosave)->addWidget(RadioButton2, 1, 0, 1, 3);
    grid(autosave)->addWidget(RadioButton3, 2, 0, 1, 3);
    grid(autosave)->addWidget(new QLabel(QStringLiteral("Every"), autosave), 3, 0);
    grid(autosave)->addWidget(CSpinEdit1, 3, 1);
    grid(autosave)->addWidget(new QLabel(QStringLiteral("mins"), autosave), 3, 2);
    grid(autosave)->addWidget(new QLabel(QStringLiteral("Total"), autosave), 4, 0);
    grid(autosave)->addWidget(CSpinEdit2, 4, 1);
    grid(autosave)->addWidget(new QLabel(QStringLiteral("Saves"), autosave), 4, 2);

    QWidget *mouse = page(PageControl1, QStringLiteral("Mouse Control"));
    ComboBox1 = choiceBox(mouse, Settings::mouseActions());
    ComboBox2 = choiceBox(mouse, Settings::mouseActions());
    grid(mouse)->addWidget(new QLabel(QStringLiteral("Left"), mouse), 0, 0);
    grid(mouse)->addWidget(ComboBox1, 0, 1);
    grid(mouse)->addWidget(new QLabel(QStringLiteral("Right"), mouse), 1, 0);
    grid(mouse)->addWidget(ComboBox2, 1, 1);

    QWidget *creation = page(PageControl1, QStringLiteral("Creation Options"));
    ComboBox3 = choiceBox(creation, Settings::drawEngines());
    CheckBox10 = new QCheckBox(QStringLiteral("Offset on clone"), creation);
    grid(creation)->addWidget(ComboBox3, 0, 0);
    grid(creation)->addWidget(CheckBox10, 1, 0);

    QWidget *exporting = page(PageControl1, QStringLiteral("Export Options"));
    ListBox1 = choiceBox(exporting, Settings::exportVersions());
    grid(exporting)->addWidget(new QLabel(QStringLiteral("Export To Version"), exporting), 0, 0);
    grid(exporting)->addWidget(ListBox1, 1, 0);

    QWidget *ruler = page(PageControl1, QStringLiteral("Ruler"));
    CheckBox4 = new QCheckBox(QStringLiteral("Show mouse postion on ruler"), ruler);
    CheckBox5 = new QCheckBox(QStringLiteral("While Draging show corner points on ruler"), ruler);
    Button6 = new QPushButton(QStringLiteral("Small Ticks"), ruler);
    Shape4 = swatch(ruler);
    Button7 = new QPushButton(QStringLiteral("Interactive"), ruler);
    Shape3 = swatch(ruler);
    Button8 = new QPushButton(QStringLiteral("Large Ticks"), ruler);
    Shape5 = swatch(ruler);
    Button9 = new QPushButton(QStringLiteral("Background"), ruler);
    Shape6 = swatch(ruler);
    Skip = spin(ruler, Settings::skipMin, Settings::skipMax);
    MARKED = spin(ruler, Settings::markedMin, Settings::markedMax);
    grid(ruler)->addWidget(CheckBox4, 0, 0, 1, 4);
    grid(ruler)->addWidget(CheckBox5, 1, 0, 1, 4);
    grid(ruler)->addWidget(Button6, 2, 0);
    grid(ruler)->addWidget(Shape4, 2, 1);
    grid(ruler)->addWidget(Button7, 2, 2);
    grid(ruler)->addWidget(Shape3, 2, 3);
    grid(ruler)->addWidget(Button8, 3, 0);
    grid(ruler)->addWidget(Shape5, 3, 1);
    grid(ruler)->addWidget(Button9, 3, 2);
    grid(ruler)->addWidget(Shape6, 3, 3);
    grid(ruler)->addWidget(new QLabel(QStringLiteral("Skip"), ruler), 4, 0);
    grid(ruler)->addWidget(Skip, 4, 1);
    grid(ruler)->addWidget(new QLabel(QStringLiteral("Pixels between lines"), ruler), 4, 2, 1, 2);
    grid(ruler)->addWidget(new QLabel(QStringLiteral("marked lines are"), ruler), 5, 0);
    grid(ruler)->addWidget(MARKED, 5, 1);
    grid(ruler)->addWidget(new QLabel(QStringLiteral("lines apart"), ruler), 5, 2, 1, 2);

    QWidget *startup = page(PageControl1, QStringLiteral("Startup"));
    CheckBox2 = new QCheckBox(QStringLiteral("Check For Updates on Startup"), startup);
    CheckBox3 = new QCheckBox(QStringLiteral("Show News On Startup"), startup);
    ServerEdit = new QLineEdit(startup);
    ServerEdit->setPlaceholderText(QStringLiteral("no update server"));
    grid(startup)->addWidget(CheckBox2, 0, 0, 1, 2);
    grid(startup)->addWidget(CheckBox3, 1, 0, 1, 2);
    grid(startup)->addWidget(new QLabel(QStringLiteral("Update server"), startup), 2, 0);
    grid(startup)->addWidget(ServerEdit, 2, 1);

    QWidget *files = page(PageControl1, QStringLiteral("Files"));
    ClientEdit = new QLineEdit(files);
    ClientBrowse = new QPushButton(QStringLiteral("Browse"), files);
    grid(files)->addWidget(new QLabel(QStringLiteral("Game client folder"), files), 0, 0);
    grid(files)->addWidget(ClientEdit, 1, 0);
    grid(files)->addWidget(ClientBrowse, 1, 1);

    for (QWidget *p : {engine, autosave, mouse, creation, exporting, ruler, startup, files})
        grid(p)->setRowStretch(grid(p)->rowCount(), 1);
    buildGridPage(PageControl1);
    buildServerPage(PageControl1);

    auto *buttons = new QHBoxLayout;
    Button5 = new QPushButton(QStringLiteral("Defaults"), this);
    Button2 = new QPushButton(QStringLiteral("Ok"), this);
    Button3 = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addWidget(Button5);
    buttons->addStretch();
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    layout->addLayout(buttons);
    Button2->setDefault(true);
    fixSize();
}

void TForm12::connectControls()
{
    using EventGuard::connect;
    connect(Button2, &QPushButton::clicked, this, &TForm12::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm12::Button3Click);
    connect(Button5, &QPushButton::clicked, this, &TForm12::Button5Click);
    connect(Button1, &QPushButton::clicked, this, &TForm12::Button1Click);
    connect(Button4, &QPushButton::clicked, this, &TForm12::Button4Click);
    connect(Button6, &QPushButton::clicked, this, &TForm12::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TForm12::Button7Click);
    connect(Button8, &QPushButton::clicked, this, &TForm12::Button8Click);
    connect(Button9, &QPushButton::clicked, this, &TForm12::Button9Click);
    connect(ClientBrowse, &QPushButton::clicked, this, &TForm12::ClientBrowseClick);

    // Radio buttons of one group exclude each other only inside it.
    for (const auto &group : {std::initializer_list<QRadioButton *>{RadioButton4, RadioButton5},
                              std::initializer_list<QRadioButton *>{RadioButton1, RadioButton2, RadioButton3}}) {
        auto *buttons = new QButtonGroup(this);
        for (QRadioButton *b : group)
            buttons->addButton(b);
    }

    const auto follow = [this] { if (!m_showing) takeControls(); };
    for (QCheckBox *box : {CheckBox8, CheckBox1, CheckBox9, CheckBox6, CheckBox7, CheckBox10, CheckBox4, CheckBox5,
                           CheckBox2, CheckBox3})
        QObject::connect(box, &QCheckBox::toggled, this, follow);
    for (QRadioButton *b : {RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5})
        QObject::connect(b, &QRadioButton::toggled, this, follow);
    for (SpinEdit *s : {CSpinEdit1, CSpinEdit2})
        QObject::connect(s, &SpinEdit::changed, this, follow);
    for (QLineEdit *e : {ServerEdit, ClientEdit})
        QObject::connect(e, &QLineEdit::textChanged, this, follow);
    for (SpinEdit *s : {Skip, MARKED})
        QObject::connect(s, &SpinEdit::changed, this, [this] {
            if (m_showing)
                return;
            takeControls();
            if (RulerChanged)
                EventGuard::run(RulerChanged);
        });

    const auto combo = [this](QComboBox *box, QString (*normalize)(const QString &)) {
        QObject::connect(box, &QComboBox::editTextChanged, this, [this, box, normalize] { normalizeCombo(box, normalize); });
    };
    combo(ComboBox1, &Settings::normalizeLeftAction);
    combo(ComboBox2, &Settings::normalizeRightAction);
    combo(ComboBox3, &Settings::normalizeDrawEngine);
    combo(ListBox1, &Settings::normalizeExportVersion);
}

// The change handler of a choice box: text that is not one of its items
// becomes the box's default.
void TForm12::normalizeCombo(QComboBox *box, QString (*normalize)(const QString &))
{
    const QString text = box->currentText();
    const QString fixed = normalize(text);
    if (fixed != text) {
        box->setEditText(fixed);   // runs this again, with an item
        return;
    }
    if (!m_showing)
        takeControls();
}

void TForm12::showSettings(const Settings &s)
{
    m_showing = true;
    CheckBox8->setChecked(s.perfectText);
    CheckBox1->setChecked(s.transparent);
    Shape1->setColor(s.backgroundColor);
    Shape2->setColor(s.selectionColor);
    CheckBox9->setChecked(s.cacheImages);
    CheckBox6->setChecked(s.timeDrawing);
    CheckBox7->setChecked(s.showDrawGauge);
    for (const auto &[button, on] : {std::pair{RadioButton4, s.blackColorBlack}, {RadioButton5, s.allSelectionColor},
                                     {RadioButton1, s.autoOnRedraw}, {RadioButton2, s.autoOnTime},
                                     {RadioButton3, s.autoOff}}) {
        // A group read with every key off shows no button on.
        QButtonGroup *group = button->group();
        group->setExclusive(false);
        button->setChecked(on);
        group->setExclusive(true);
    }
    CSpinEdit1->setText(QString::number(s.autoEvery));
    CSpinEdit2->setText(QString::number(s.autoTotal));
    ComboBox1->setEditText(s.leftAction);
    ComboBox2->setEditText(s.rightAction);
    ComboBox3->setEditText(s.drawEngine);
    CheckBox10->setChecked(s.offsetClone);
    ListBox1->setEditText(s.exportVersion);
    CheckBox4->setChecked(s.mouseRead);
    CheckBox5->setChecked(s.dragRead);
    Shape4->setColor(s.smallTicksColor);
    Shape5->setColor(s.largeTicksColor);
    Shape6->setColor(s.rulerBackgroundColor);
    Shape3->setColor(s.interactiveColor);
    Skip->setText(QString::number(s.skip));
    MARKED->setText(QString::number(s.marked));
    CheckBox2->setChecked(s.checkUpdates);
    CheckBox3->setChecked(s.showNews);
    ServerEdit->setText(s.server);
    ClientEdit->setText(s.client);
    showGrid(s);
    showServer(s);
    m_showing = false;
}

// Everything but the two mirrored colours, which the colour buttons set,
// and the autosave slot, which autosave keeps.
void TForm12::takeControls()
{
    const Settings defaults;
    Settings &s = Options;
    s.perfectText = CheckBox8->isChecked();
    s.transparent = CheckBox1->isChecked();
    s.cacheImages = CheckBox9->isChecked();
    s.timeDrawing = CheckBox6->isChecked();
    s.showDrawGauge = CheckBox7->isChecked();
    s.blackColorBlack = RadioButton4->isChecked();
    s.allSelectionColor = RadioButton5->isChecked();
    s.autoOnRedraw = RadioButton1->isChecked();
    s.autoOnTime = RadioButton2->isChecked();
    s.autoOff = RadioButton3->isChecked();
    s.autoEvery = numberWithin(CSpinEdit1, defaults.autoEvery, Settings::autoEveryMin, Settings::autoEveryMax);
    s.autoTotal = numberWithin(CSpinEdit2, defaults.autoTotal, Settings::autoTotalMin, Settings::autoTotalMax);
    s.leftAction = ComboBox1->currentText();
    s.rightAction = ComboBox2->currentText();
    s.drawEngine = ComboBox3->currentText();
    s.offsetClone = CheckBox10->isChecked();
    s.exportVersion = ListBox1->currentText();
    s.mouseRead = CheckBox4->isChecked();
    s.dragRead = CheckBox5->isChecked();
    s.smallTicksColor = Shape4->color();
    s.largeTicksColor = Shape5->color();
    s.rulerBackgroundColor = Shape6->color();
    s.interactiveColor = Shape3->color();
    s.skip = numberOr(Skip, defaults.skip);
    s.marked = numberOr(MARKED, defaults.marked);
    s.checkUpdates = CheckBox2->isChecked();
    s.showNews = CheckBox3->isChecked();
    s.server = ServerEdit->text().trimmed();
    s.client = ClientEdit->text();
    takeGrid(s);
    takeServer(s);
}

void TForm12::ReadSettings()
{
    QStringList problems;
    const Settings read = Settings::read(IniFile(Location.path), &problems);
    Options = read;
    showSettings(read);
    if (SettingsRead)
        SettingsRead(Options);
    if (!problems.isEmpty())
        Modal::error(problems.join(u'\n'));
}

void TForm12::prepareToShow()
{
    Shape2->setColor(Options.selectionColor);
    Shape1->setColor(Options.backgroundColor);
    ColorDialog1Color = Options.backgroundColor;
    ColorDialog2Color = Options.selectionColor;
}

void TForm12::Button2Click()
{
    takeControls();
    // The spins show what is stored, not a number outside their range.
    m_showing = true;
    CSpinEdit1->setText(QString::number(Options.autoEvery));
    CSpinEdit2->setText(QString::number(Options.autoTotal));
    m_showing = false;
    IniFile file(Location.path);
    Options.write(file);   // a failure keeps the window open
    accept();
    if (SettingsAccepted)
        SettingsAccepted(Options);
}

void TForm12::Button3Click()
{
    DefaultsRunning = true;
    ReadSettings();
    DefaultsRunning = false;
    done(QDialog::Rejected);
}

void TForm12::Button5Click()
{
    DefaultsRunning = true;
    if (QFile::exists(Location.path))
        QFile::remove(Location.path);
    ReadSettings();
    prepareToShow();
    DefaultsRunning = false;
}

void TForm12::reject()
{
    EventGuard::run([this] { Button3Click(); });
}

// Runs a colour dialog from the colour it holds; on confirmation it keeps the choice.
std::optional<ColorValue> TForm12::runColorDialog(ColorValue &dialogColor)
{
    const auto chosen = Modal::chooseColor(ColorText::toQColor(dialogColor));
    if (!chosen)
        return std::nullopt;
    dialogColor = ColorText::fromQColor(*chosen);
    return dialogColor;
}

void TForm12::Button1Click()
{
    if (const auto chosen = runColorDialog(ColorDialog1Color)) {
        Shape1->setColor(*chosen);
        Options.backgroundColor = *chosen;
    }
}

void TForm12::Button4Click()
{
    ColorDialog2Color = Shape2->color();
    if (const auto chosen = runColorDialog(ColorDialog2Color)) {
        Shape2->setColor(*chosen);
        Options.selectionColor = *chosen;
    }
}

void TForm12::chooseRulerColor(ColorSwatch *target)
{
    ColorDialog2Color = target->color();
    if (const auto chosen = runColorDialog(ColorDialog2Color)) {
        target->setColor(*chosen);
        takeControls();
    }
}

void TForm12::Button6Click()
{
    chooseRulerColor(Shape4);
}

void TForm12::Button7Click()
{
    chooseRulerColor(Shape3);
}

void TForm12::Button8Click()
{
    chooseRulerColor(Shape5);
}

void TForm12::Button9Click()
{
    chooseRulerColor(Shape6);
}

void TForm12::ClientBrowseClick()
{
    const QString folder = Modal::chooseFolder(ClientEdit->text());
    if (!folder.isEmpty())
        ClientEdit->setText(folder);
}

#pragma once

#include "editor/Settings.h"
#include "editor/SettingsLocation.h"
#include "windows/widgets/FixedDialog.h"

#include <functional>
#include <optional>

class ColorSwatch;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class ServerJob;
class SpinEdit;

// "Options": its controls are the live copy of the settings. `Options`
// mirrors them for the rest of the program (the colours, the cache flag and
// the autosave slot among them) and follows every change of a control.
class TForm12 : public FixedDialog
{
    Q_OBJECT

public:
    explicit TForm12(QWidget *parent = nullptr);

    Settings Options;
    bool DefaultsRunning = false;
    SettingsLocation Location;      // the settings file in use

    // Reads the settings file into the controls and `Options`, then runs
    // SettingsRead. The one routine for the start-up, "Cancel" and
    // "Defaults". A number that is not one is shown once in the error box,
    // with its default in force. The start-up steps that follow the read
    // (news, update check) belong to its caller while DefaultsRunning is clear.
    void ReadSettings();
    // Before showing: swatches and colour dialogs from the mirrored colours.
    void prepareToShow();
    // Turns to the tab where the Sphere server and the shard's scripts are named.
    void showServerTab();

    // The main window's side of a read and of "Ok", and the ruler redraw.
    std::function<void(const Settings &)> SettingsRead;
    std::function<void(const Settings &)> SettingsAccepted;
    std::function<void()> RulerChanged;

    QTabWidget *PageControl1 = nullptr;
    // "Realtime Engine"
    QCheckBox *CheckBox8 = nullptr;     // "Perfect Text"
    QCheckBox *CheckBox1 = nullptr;     // "Transparent"
    QPushButton *Button1 = nullptr;     // "Back Ground Color"
    ColorSwatch *Shape1 = nullptr;
    QPushButton *Button4 = nullptr;     // "Selection Color"
    ColorSwatch *Shape2 = nullptr;
    QCheckBox *CheckBox9 = nullptr;     // "Cache Images"
    QCheckBox *CheckBox6 = nullptr;     // "Time Drawing"
    QCheckBox *CheckBox7 = nullptr;     // "Show Draw Gauge"
    QRadioButton *RadioButton4 = nullptr; // "Black Color Black"
    QRadioButton *RadioButton5 = nullptr; // "All Selection Color"
    // "AutoSave"
    QRadioButton *RadioButton1 = nullptr; // "Autosave on Redraw"
    QRadioButton *RadioButton2 = nullptr; // "Autosave on time"
    QRadioButton *RadioButton3 = nullptr; // "Autosave off"
    SpinEdit *CSpinEdit1 = nullptr;     // "Every"
    SpinEdit *CSpinEdit2 = nullptr;     // "Total"
    // "Mouse Control", "Creation Options", "Export Options"
    QComboBox *ComboBox1 = nullptr;     // "Left"
    QComboBox *ComboBox2 = nullptr;     // "Right"
    QComboBox *ComboBox3 = nullptr;     // creation style
    QCheckBox *CheckBox10 = nullptr;    // "Offset on clone"
    QComboBox *ListBox1 = nullptr;      // "Export To Version"
    // "Ruler"
    QCheckBox *CheckBox4 = nullptr;     // "Show mouse postion on ruler"
    QCheckBox *CheckBox5 = nullptr;     // "While Draging show corner points on ruler"
    QPushButton *Button6 = nullptr;     // "Small Ticks"
    ColorSwatch *Shape4 = nullptr;
    QPushButton *Button7 = nullptr;     // "Interactive"
    ColorSwatch *Shape3 = nullptr;
    QPushButton *Button8 = nullptr;     // "Large Ticks"
    ColorSwatch *Shape5 = nullptr;
    QPushButton *Button9 = nullptr;     // "Background"
    ColorSwatch *Shape6 = nullptr;
    SpinEdit *Skip = nullptr;
    SpinEdit *MARKED = nullptr;
    // "Grid".
    QCheckBox *GridShow = nullptr;
    QCheckBox *GridSnap = nullptr;
    SpinEdit *GridSpacing = nullptr;
    QPushButton *GridColorButton = nullptr;
    ColorSwatch *GridColor = nullptr;
    // "Startup", "Files"
    QCheckBox *CheckBox2 = nullptr;     // "Check For Updates on Startup"
    QCheckBox *CheckBox3 = nullptr;     // "Show News On Startup"
    QLineEdit *ServerEdit = nullptr;    // update server
    QLineEdit *ClientEdit = nullptr;    // game client folder
    QPushButton *ClientBrowse = nullptr;
    // "Server" (TForm12Server.cpp): the user's own Sphere server
    QLineEdit *SphereProgramEdit = nullptr;
    QPushButton *SphereProgramBrowse = nullptr;
    QPushButton *SphereProgramCheck = nullptr;
    QLabel *SphereProgramStatus = nullptr;
    QLineEdit *ShardScriptsEdit = nullptr;
    QPushButton *ShardScriptsBrowse = nullptr;

    QPushButton *Button5 = nullptr;     // "Defaults"
    QPushButton *Button2 = nullptr;     // "Ok"
    QPushButton *Button3 = nullptr;     // "Cancel"

    // The colours the two colour dialogs open with.
    ColorValue ColorDialog1Color = 0xFFFFFF;
    ColorValue ColorDialog2Color = 0x00FF00;

public slots:
    void Button2Click();   // Ok
    void Button3Click();   // Cancel
    void Button5Click();   // Defaults
    void Button1Click();   // background colour
    void Button4Click();   // selection colour
    void Button6Click();   // small ticks
    void Button7Click();   // interactive
    void Button8Click();   // large ticks
    void Button9Click();   // ruler background
    void ClientBrowseClick();

    void reject() override; // Escape cancels

private:
    void buildLayout();
    void connectControls();
    void showSettings(const Settings &s);  // onto the controls, quietly
    void takeControls();                   // controls into Options
    void chooseRulerColor(ColorSwatch *swatch);
    void buildGridPage(QTabWidget *tabs);  // the canvas grid's tab
    void showGrid(const Settings &s);
    void takeGrid(Settings &s) const;
    void buildServerPage(QTabWidget *tabs);  // the user's Sphere server's tab
    void showServer(const Settings &s);
    void takeServer(Settings &s) const;
    void checkSphereProgram();
    ServerJob *m_serverCheck = nullptr;
    QWidget *m_serverPage = nullptr;
    std::optional<ColorValue> runColorDialog(ColorValue &dialogColor);
    void normalizeCombo(QComboBox *box, QString (*normalize)(const QString &));

    bool m_showing = false;                // showSettings() is filling the controls
};

#pragma once

// What the editing controls of the main window show for the current
// selection: the "Remove" button, the "Modify" group and the canvas popup
// items. Each command that changes the selection sets them as it specifies;
// the window copies them onto its widgets.
struct SelectionControls
{
    bool removeEnabled = false;          // REMOVEBUT

    bool modifyVisible = true;           // the "Modify" group
    bool positionVisible = true;         // X and Y spins with their labels
    bool positionEnabled = false;
    bool sizeVisible = false;            // X2 and Y2 spins with their labels
    bool changeImageVisible = true;      // CHANGEIMAGE
    bool changeImageEnabled = false;
    bool optionsVisible = true;          // EDITOPTIONS
    bool optionsEnabled = false;

    bool popupCloneEnabled = false;      // "Clone"
    bool popupRemoveEnabled = false;     // "Remove Selected"
    bool popupSendBackEnabled = false;   // "Send Selected to Back"
    bool popupSendFrontEnabled = false;  // "Send Selected to Front"

    bool operator==(const SelectionControls &) const = default;
};

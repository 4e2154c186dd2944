#pragma once

#include "assets/client/Cliloc.h"
#include "assets/client/GumpArt.h"
#include "assets/client/HuesFile.h"
#include "assets/client/ItemArt.h"

#include <memory>
#include <vector>

// What the designer draws from the user's game client: gump pictures, item
// pictures, hues and localized strings. Each part may be missing.
struct GameClient
{
    std::shared_ptr<const GumpArt> gumps;
    std::shared_ptr<const ItemArt> items;
    std::shared_ptr<const Cliloc> cliloc;
    std::vector<ClientHue> hues;

    // Whatever of it the folder holds.
    static GameClient open(const QString &clientDir)
    {
        return {GumpArt::open(clientDir), ItemArt::open(clientDir), Cliloc::open(clientDir), HuesFile::load(clientDir)};
    }
    bool isEmpty() const { return !gumps && !items && !cliloc && hues.empty(); }
};

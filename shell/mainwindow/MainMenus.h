#pragma once

// What the levels code asks of the main window: its File-menu items follow
// the user's stored level.
class MainMenus
{
public:
    virtual ~MainMenus() = default;
    virtual void EnableDisableMenus(bool enable) = 0;
};

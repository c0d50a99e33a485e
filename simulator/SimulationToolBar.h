// The toolbar of the simulation controls: the five run commands. While the mouse is over
// a button, the controls' status bar shows what the button does (the string resource
// under the button's command id) in its first part.
#pragma once

#include "platform/ui/StatusBar.h"
#include "platform/ui/ToolBar.h"

class SimulationToolBar : public ui::ToolBar {
public:
    // The status bar belongs to the same dialog and lives as long as the toolbar.
    explicit SimulationToolBar(ui::StatusBar& statusBar) : statusBar_(statusBar) {}

protected:
    void OnMouseMove(ui::Point point) override;

private:
    ui::StatusBar& statusBar_;
};

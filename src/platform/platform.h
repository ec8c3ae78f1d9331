#pragma once

#include "platform/dialog_host.h"
#include "platform/profile.h"
#include "platform/surface.h"
#include "platform/window_services.h"

// Everything the game reaches outside itself, handed to the view at construction.
struct Platform {
    Surface& surface;
    WindowServices& window;
    DialogHost& dialogs;
    Profile& profile;
};

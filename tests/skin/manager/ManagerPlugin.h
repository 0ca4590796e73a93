// The separately loaded module of the module-sharing test: it carries its own skin data component,
// attaches its own skin manager to the host's and skins a window of its own.
#pragma once

#include <windows.h>

class TSkinManageBase;
class TSkinData;

extern "C" {
// Attaches the module's manager to Host and registers a skin data component with the skin in Archive.
using TPluginAttach = TSkinManageBase* (*)(TSkinManageBase* Host, const char* Archive);
// The module's skin data component.
using TPluginSkinData = TSkinData* (*)();
// Shows a top-level window of a class of the module; returns it.
using TPluginShowWindow = HWND (*)();
// Frees the component and the module's manager (which hands the module's windows back to the host).
using TPluginDetach = void (*)();
}

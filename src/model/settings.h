#pragma once
// Program-wide settings beyond those the circuit model keeps itself (ShowGrid,
// Scroll, AutoStop, SaveICsWithFile, LastFiles, Verzeichnisse).
#include <QString>
#include <array>
#include <cstdint>

#include "platform/registry.h"

// Geometry and view mode of the IC manager window, kept across runs.
struct ICManagerFields {
    int16_t WindowX = 0;
    int16_t WindowY = 0;
    int16_t WindowWidth = 0;
    int16_t WindowHeight = 0;
    int16_t ICAnsicht = 0;
};

struct Settings {
    int16_t AnzImpulse = 0;
    int16_t DummyUndo = 10;
    int16_t DisplaySplash = 0;
    int16_t SucheNaechstenAnschluss = 0;
    QString LastUsedFile;
    int16_t frmICAuswahlVisible = 0;
    // Side panels: -1 open, 1 title only, 0 hidden.
    std::array<int16_t, 5> PanelVisible{};
    int16_t BoolAbstandBauteileX = 3;
    int16_t BoolAbstandBauteileY = 3;
    int16_t BoolAbstandSchalter = 2;
    int16_t BoolVereinfachen = 0;
    int16_t BoolSave = 0;
    int16_t BoolSorted = 0;
    QString BoolTerme;
    ICManagerFields icManager;

    RegistryRoot RegRoot = RegistryRoot::CurrentUser;
    RegistryLocations registryFiles;
    QString OSName;
    // Stored permissions: component and feature switches (-1 on, 0 off) and the settings password.
    std::array<int16_t, 14> ElementEnable{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    std::array<int16_t, 7> FeatureEnable{-1, -1, -1, -1, -1, -1, -1};
    QString OptionsPassword;
    // 0 while the main window loads, 255 after its first layout, 1 after its first activation.
    uint8_t MainFormReady = 0;
    // The user has been told at start-up that their settings cannot be saved.
    bool UnsavableTold = false;
};

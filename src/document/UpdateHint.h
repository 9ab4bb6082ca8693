#pragma once

// What changed, as the document tells its views.
enum UpdateHint : int {
    hintOpenFailed = 0,
    hintPlateChanged = 16,
    hintOrderChanged = 17,
    hintSelect = 18,
    hintAboutToDelete = 19,
    hintPreferences = 20,
    hintDeviceChanged = 21,
};

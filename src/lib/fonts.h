#pragma once
// The windows and forms name the font families of the system they were designed on; map them onto the
// Korean fonts installed here so that no Korean text renders as empty boxes.

// Call once after the QGuiApplication exists.
void InstallFontSubstitutions();

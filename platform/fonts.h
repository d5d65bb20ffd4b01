// Registers a Tahoma-compatible face when the system has one; the family the windows should use.
#pragma once

#include <QString>

// Call once after the GUI application exists; returns the family name now in use.
QString RegisterAppFont();
// The family chosen by RegisterAppFont ("Tahoma" when registered, otherwise "DejaVu Sans").
QString AppFontFamily();

// Texts and layout of windows and pages from the ini file, and small helpers for standard controls.
#pragma once

#include "app/threadini.h"

#include <string>

class QComboBox;
class QObject;
class QTreeView;
class QWidget;

// Marks a widget as a window or page that owns its controls (LoadCaptions/LoadLayout stop at nested ones).
void MarkAsContainer(QWidget* widget);
bool IsContainer(const QObject* object);

// Captions of the container's controls from [section]; a window's own caption from key = its name.
void LoadCaptions(QWidget* container, const std::string& section, CIniReader& reader);
// Positions from [prefix_CtrlPos] and visibility from [prefix_Visible]; nested pages use "prefix_name".
void LoadLayout(QWidget* container, const std::string& prefix, CIniReader& reader);
// One blank before and after a non-empty group-box caption, unless already there.
std::string PadCaption(const std::string& text);
// Selects the first item whose attached number (Qt::UserRole) equals value; false when none does.
bool SelectComboByTag(QComboBox* combo, int value);
// Height of the list view's column header in pixels.
int HeaderHeight(QTreeView* listView);
// Focuses the edit box when its window is visible and it can take the focus; never fails.
void SafeSetFocus(QWidget* edit);

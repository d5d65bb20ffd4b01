// Button faces of the skin: page push buttons, start menu buttons and documentation sub-buttons.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace art {

enum class FaceState { Normal, Hover, Pressed };

// 85 x 21 page button face without caption; fuchsia outside the rounded shape.
QImage pageButtonFace(FaceState state);

enum class MenuGlyph { Wizard, Guide, Register, Exit };

// Start menu button with its caption drawn in, `captionPx` high; `lit` is the hover/pressed face.
QImage menuButtonFace(int width, int height, const QString& caption, MenuGlyph glyph, bool lit,
                      int captionPx);
// Largest caption size up to 13 px at which every caption fits a menu button of that size, so that all
// four buttons use one size.
int menuCaptionSize(const QStringList& captions, int width, int height);

// Plain rectangular documentation sub-button; the caption is centred in the top `textHeight` rows so
// the picture still reads when its control shows only that part of it.
QImage subButtonFace(int width, int height, int textHeight, const QString& caption, bool lit);

} // namespace art

#pragma once
// Reads what the drawing window needs of a TEXT or MTEXT entity — its string, position,
// height, rotation and alignment — from the entity's own bytes in the drawing. The
// store keeps texts only as those bytes: the system never reads them, only shows them.
#include <optional>

#include "desktop/drawing/SceneGeometry.h"
#include "engine/cad/dxf/DxfContent.h"

namespace desktop {

class TextEntityReader {
public:
    // The text in drawing coordinates, with entity key and colour left for the caller;
    // nullopt for an entity of another kind, one without its bytes, or an empty text.
    static std::optional<SceneText> Read(const engine::dxf::DrawingContent& drawing,
                                         const engine::dxf::DrawingEntity& entity);

    // TEXT control codes: %%d degree, %%c diameter, %%p plus-minus, %%% percent,
    // %%u and %%o (underline, overline) dropped.
    static QString PlainText(const QString& text);
    // MTEXT formatting dropped: \P breaks the line, braces and \f...; \H...; and the
    // like go, \\ \{ \} stay as characters.
    static QString PlainMText(const QString& text);
};

}  // namespace desktop

// Inside a copy between two drawings (KovtDoubleDbScope), the formwork
// settings read from the source carry linetype ids of the source. These are
// moved over to the target's equal linetypes (same name, else same pattern;
// unchanged when it has none): the visible and blanked lines of the
// foundation, storey, section and elevation outlines, the visible lines of
// the view outline, the edges of the three sections and the storey line. The
// view's blanked lines, the endings and the per-element-type lists keep
// theirs. Outside a copy, or when source and target are one drawing, nothing
// changes.
#pragma once

class KOVTFormworkJobSettings;

void KovxTranslateLinetypes(KOVTFormworkJobSettings& settings);

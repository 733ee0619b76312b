#pragma once

// Whether the letters a window deals and plays can serve, asked once as the
// window loads: a tile whose picture cannot be shown takes no click, and a
// recording that cannot be played still has its question marked. If they
// cannot, the report of the first letter that fails is pending.
namespace exercises::letters {

// The pictures of letters 1..count of the letter list.
bool picturesServe(int count);
// The recordings of letters 1..count of the letter list.
bool recordingsServe(int count);

} // namespace exercises::letters

#pragma once
// Page 0 of every report: the optional header, the title and description,
// and the listing of the support or cost inputs.

namespace castovin {

struct ProgramState;

// mode false: OutputBuffer[0] := header + support listing.
// mode true: the cost listing, replacing OutputBuffer[0] (append false) or
// added to its end (append true), after five line ends when `separate`.
void LoadOutBuf0(ProgramState& state, bool mode, bool append, bool separate);

}  // namespace castovin

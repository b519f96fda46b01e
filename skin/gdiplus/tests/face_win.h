#pragma once
// A font face for tests that GDI+ finds, with regular, bold and italic cuts.

namespace skin::testing {

// Under Wine GDI+ lists only the system's fonts (not Wine's own Tahoma), and the
// system has one of the faces tried through fontconfig. GDI+ under Wine reports
// a font's style from the cut it found, so the face has a regular weight.
// Looked up on first use, once GDI+ has started.
const char* testFace();

}  // namespace skin::testing

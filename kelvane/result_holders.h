#pragma once

namespace corvanta::kelvane {

// The text each text-returning export handed out last. It stays valid until
// the next call of the same export or the unload, so callers can read it
// without owning it. All start null.
extern const char* LastOpenDialogResult;  // rszckl
extern const char* LastSizeTextResult;    // zhaui
extern const char* LastFormatResult;      // FormatKB

// Releases the previous text of `holder` and keeps `result` in its place.
// Called only after the routine that made `result` has returned, so an
// argument that was the previous result has already been copied.
const char* StoreResult(const char*& holder, const char* result);

// Unload clean-up: releases all three texts.
void ReleaseExportResults();

}  // namespace corvanta::kelvane

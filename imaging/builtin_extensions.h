// The import extensions a normal run has: the extended-formats importer
// and the capture-matching engine built into this program. Every program
// entry point installs them before it reads images; tests that want the
// import without them simply do not.
#pragma once

namespace tl {

void InstallBuiltInImportExtensions();

}  // namespace tl

// A CUPS destination opened for use: the destination, a connection to it
// and its capability information. Names that hold "://" are printer URIs
// used directly (a printer that no CUPS server lists); other names are the
// CUPS server's destinations.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "print/cups_handles.h"
#include "print/printer_capabilities.h"

namespace tl {

struct CupsDestination {
  CupsDestPtr Dest;
  HttpPtr Http;
  CupsDestInfoPtr Info;
};

// How long connecting to a printer may take before it counts as absent.
constexpr int kConnectTimeoutMs = 5000;

bool IsPrinterUri(std::string_view name);

// The names of the CUPS server's destinations; empty without a server.
std::vector<std::string> CupsDestinationNames();

// The CUPS server's destinations with the model the server keeps for each
// (empty where it keeps none), asked of the server alone: no printer is
// contacted.
struct CupsDestinationModel {
  std::string Name;
  std::string Model;
};
std::vector<CupsDestinationModel> CupsDestinationModels();
// The CUPS server's default destination; empty when there is none.
std::string CupsDefaultDestination();

// Finds and connects to `name`; false when it is unknown or unreachable.
bool OpenCupsDestination(const std::string& name, CupsDestination& out);

// What the destination offers; false when it cannot be asked.
bool ReadCupsCapabilities(CupsDestination& destination, PrinterCapabilities& caps);

}  // namespace tl

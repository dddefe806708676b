// What the application tests share: one QApplication for the test program
// (offscreen), made before the first test; and, from the layers below, the
// private home and the scripted message sink.
#pragma once

#include "tests/document/scripted_sink.h"
#include "tests/resources/private_home.h"

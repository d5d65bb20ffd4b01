// Finds a top-level window by its exact title through the X11 client list; "not found" off X11.
#pragma once

#include <string>

bool FindTopLevelWindowByTitle(const std::string& title);

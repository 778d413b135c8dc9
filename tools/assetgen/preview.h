// The contact sheet: every picture as the demo shows it and both models from three sides.
#pragma once

#include <string>

bool WriteContactSheet(const std::string& demoDir, const std::string& previewDir);

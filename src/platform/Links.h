#pragma once
// Opening web pages and mail addresses through the desktop's default handler.

#include <string>

namespace quillon {

class Desktop;

// kind "EMAIL" opens "mailto:" + target; kind "HTTP" opens target, with "http://" put in front
// unless it already begins with "http://" or "https://". Any other kind shows "Error in
// parameters". True when the desktop accepted the link.
bool OpenLink(Desktop& desktop, const std::string& kind, const std::string& target);

} // namespace quillon

#include "platform/Links.h"

#include "platform/Desktop.h"

namespace quillon {

bool OpenLink(Desktop& desktop, const std::string& kind, const std::string& target) {
    if (kind == "EMAIL")
        return desktop.OpenUrl("mailto:" + target);
    if (kind == "HTTP") {
        bool hasScheme = target.starts_with("http://") || target.starts_with("https://");
        return desktop.OpenUrl(hasScheme ? target : "http://" + target);
    }
    desktop.MessageBox(BoxKind::Error, "Error", "Error in parameters");
    return false;
}

} // namespace quillon

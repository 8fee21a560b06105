// Logging category for the media layer ("ferlow.media"), so sound and picture
// problems can be switched on or off with QT_LOGGING_RULES.
#pragma once

#include <QLoggingCategory>

namespace ferlow::media {
Q_DECLARE_LOGGING_CATEGORY(lcMedia)
}

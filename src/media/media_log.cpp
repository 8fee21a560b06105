// Logging category for the media layer.
#include "media/media_log.h"

namespace ferlow::media {
Q_LOGGING_CATEGORY(lcMedia, "ferlow.media")
}

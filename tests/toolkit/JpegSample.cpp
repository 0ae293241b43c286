#include "WidgetTestForm.h"

#include "support/JpegSample.h"

namespace widget_tests {

Bytes EncodeJpeg(int width, int height) {
    return testsupport::EncodeTwoToneJpeg(width, height, {250, 0, 0}, {0, 0, 250});
}

} // namespace widget_tests

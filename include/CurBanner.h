#ifndef VELMORA_CURBANNER_H
#define VELMORA_CURBANNER_H
// CurBanner: a one-row window across the top line with three fields, flush
// left, centred and flush right. The program sets and draws the labels itself;
// after a terminal resize the banner takes the new width and draws them again.
#include "CurWindow.h"
#include "CurLabel.h"

class CurBanner : public CurWindow {
public:
    CurBanner();                         // row 0, the full width; nothing drawn
    ~CurBanner() override;
    CurBanner(const CurBanner&) = delete;
    CurBanner& operator=(const CurBanner&) = delete;

    void fitScreen() override;           // after a terminal resize: the new full width, fields drawn again

    CurLabel leftLabel;
    CurLabel centerLabel;
    CurLabel rightLabel;
};
#endif

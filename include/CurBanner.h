#ifndef VELMORA_CURBANNER_H
#define VELMORA_CURBANNER_H
// CurBanner: a one-row window across the top line with three fields, flush
// left, centred and flush right. The program sets and draws the labels itself.
#include "CurWindow.h"
#include "CurLabel.h"

class CurBanner : public CurWindow {
public:
    CurBanner();                         // row 0, the full width; nothing drawn
    ~CurBanner() override;
    CurBanner(const CurBanner&) = delete;
    CurBanner& operator=(const CurBanner&) = delete;

    CurLabel leftLabel;
    CurLabel centerLabel;
    CurLabel rightLabel;
};
#endif

#include "recordcheck.h"

#include "boardcontrols.h"
#include "recordfile.h"
#include "recordforms.h"
#include "timetext.h"

namespace Module1 {

double FinishSeconds = 0;

void RecordCheck()
{
    HighControls& high = Forms::high();
    const QString clock = Forms::board().Label1->text();
    high.Text2->setText(clock);
    FinishSeconds = ClockTextSeconds(clock);

    // The walk from the best time stops at a free slot or at the first time
    // that is not better, and never looks past slot 8.
    int p = 0;
    while (RecordSeconds[p] < FinishSeconds && p < 9 && RecordSeconds[p] != 0)
        ++p;
    if (p < 9) {
        high.Form->show();
        high.Form->raise();
        high.Form->activateWindow();
    }
}

} // namespace Module1

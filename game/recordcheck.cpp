#include "boardcontrols.h"
#include "boardevents.h"
#include "highcontrols.h"
#include "module1.h"
#include "timetext.h"

namespace BoardEvents {

using namespace Module1;

void RecordCheck()
{
    HighControls& high = Forms::high.Load();
    const QString clock = Forms::board.Load().Label1->text();
    high.Text2->setText(clock);
    FinishSeconds = ClockTextSeconds(clock);

    // The walk from the best time stops at a free slot or at the first time
    // that is not better, and never looks past slot 8.
    int p = 0;
    while (RecordSeconds[p] < FinishSeconds && p < 9 && RecordSeconds[p] != 0)
        ++p;
    if (p < 9)
        Forms::high.Show();
}

} // namespace BoardEvents

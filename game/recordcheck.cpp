#include "game/recordcheck.h"

namespace Module1 {

void RecordCheck()
{
}

} // namespace Module1

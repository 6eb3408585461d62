#include "PromptState.h"

PromptTick& PromptTickState()
{
    static PromptTick tick;
    return tick;
}

#pragma once
// Kinds, hit codes, modifier bits and cursor numbers of the picture objects. They are
// portable and live in core so the record codecs can use them.
#include "core/PicConst.h"

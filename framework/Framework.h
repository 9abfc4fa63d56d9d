#pragma once

// Everything a form built on the framework uses.
#include "Anchoring.h"
#include "CWindow.h"
#include "Colours.h"
#include "ControlRecord.h"
#include "FindForm.h"
#include "Fonts.h"
#include "Tags.h"
#include "WindowQueries.h"

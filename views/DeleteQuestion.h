// The informative text of a delete question in the installed language, as
// whole sentences: "2 satellites are selected. Deleting them also deletes
// their 48 transponders and 310 channels." In English it reads exactly as
// the core's DeleteCountsText.
#pragma once

#include "model/DeleteCounts.h"

#include <QString>

enum class DeleteNoun { Channel, Satellite, Transponder, Multiplex, Provider };

QString DeleteCountsQuestion(const DeleteCounts& counts, DeleteNoun noun);

// The two programs: which pictures each draws, and which settings each takes.
#pragma once

enum class program_kind { vemura, dorvex };

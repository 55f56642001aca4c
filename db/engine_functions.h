#pragma once

struct sqlite3;

namespace db {

// Registers on a fresh connection what the translated dialect needs: the GREEK collation, a
// Greek-aware LIKE, and the functions VEL_DATE, VEL_DAY, VEL_MONTH, VEL_YEAR, VEL_STR,
// VEL_FORMAT, VEL_UCASE and VEL_LEN.
void registerEngineFunctions(sqlite3* handle);

}  // namespace db

#pragma once

namespace tarvello {

struct GenerationContext;

// Lists every structure of every branch in the structure table and computes
// the hydraulic grade line upstream from the tail water. Runs after the pipe
// and branch tables are filled, and reads the pipe table back.
void walkBranches(GenerationContext& ctx);

}  // namespace tarvello

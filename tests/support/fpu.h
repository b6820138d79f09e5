#pragma once

namespace tarvex::test {

// x87 precision control: 53 or 64 significant bits.
void SetX87Precision(int bits);
int X87Precision();

}  // namespace tarvex::test

// dxflib's DXF writer, kept in memory: the whole file is built as a string
// and written at once, atomically, like every other file of the program.
// The numbers are written in the shortest form that reads back to the same
// double, in the "C" notation, so that a coordinate given as 6.1 stays 6.1.
#pragma once

#include <dxflib/dl_writer_ascii.h>

#include <string>

namespace rerore {

class DxfTextWriter : public DL_WriterA {
 public:
  // An AutoCAD 2000 file. The base class opens no file for the empty name.
  DxfTextWriter();

  void dxfReal(int code, double value) const override;
  void dxfInt(int code, int value) const override;
  void dxfHex(int code, int value) const override;
  void dxfString(int code, const char* value) const override;
  void dxfString(int code, const std::string& value) const override;

  const std::string& bytes() const { return bytes_; }

 private:
  mutable std::string bytes_;
};

// The double that the float's shortest decimal form stands for: 6.1f gives
// 6.1, not 6.099999904632568, and reads back to the same float.
double DecimalOfFloat(float value);

}  // namespace rerore

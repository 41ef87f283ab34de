#pragma once

namespace corvanta {

// MEncoder ends itself as soon as its output pipe loses its reader. A program
// that closes in the middle of a run leaves its encoder running, so the read
// ends being read at that moment are handed to small drain processes that
// read them to the end.

// Marks a pipe read end as being read for as long as it lives. Nested runs
// each mark their own.
class OutputBeingRead {
 public:
  explicit OutputBeingRead(int readEnd);
  ~OutputBeingRead();
  OutputBeingRead(const OutputBeingRead&) = delete;
  OutputBeingRead& operator=(const OutputBeingRead&) = delete;

 private:
  int readEnd_;
};

// Starts, for every read end being read, a process in a session of its own
// that reads it to its end and throws the bytes away. Called just before the
// program ends.
void HandOverOutputsBeingRead();

}  // namespace corvanta

// The program the editor holds on a first visit, as the desktop opens with it.
export const sampleProgram =
  '%\r\nG90G00X10Y10\r\nG01X30F200\r\nG03X40Y20I0J10\r\nG02X30Y30I0J10\r\nG01X10Y20\r\nY10\r\nG00X-10Y-10\r\n%\r\n';

// The line ending a text mostly uses, for saving it as it came.
export function lineEnding(text: string): '\r\n' | '\n' {
  const crlf = text.split('\r\n').length - 1;
  const lf = text.split('\n').length - 1 - crlf;
  return crlf >= lf && crlf > 0 ? '\r\n' : '\n';
}

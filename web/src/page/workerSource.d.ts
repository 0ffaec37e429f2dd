// The worker's bundled code, handed to the page as a string by web/build.mjs,
// so the page starts it from a Blob URL even when opened from disk.
declare module 'tarvo-worker-source' {
  const source: string;
  export default source;
}

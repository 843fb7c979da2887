// Opens an EPANET input file with EPANET's engine (epanet-js), runs the
// hydraulic analysis and prints the node, link and time-step counts. Exits 1
// on any error or warning of the engine (also those it writes to its report
// file), 2 when it is called wrongly or the engine is not installed.
'use strict';
const fs = require('fs');
const path = require('path');

async function main() {
  const file = process.argv[2];
  if (!file) {
    console.error('usage: node epanet_check.js NETWORK.inp');
    return 2;
  }
  let epanet;
  try {
    epanet = require('epanet-js');
  } catch (e) {
    console.error('epanet_check: epanet-js is not installed (scripts/install-deps.sh)');
    return 2;
  }
  const warnings = [];
  console.warn = (...args) => warnings.push(args.join(' '));
  const ws = new epanet.Workspace();
  await ws.loadModule();
  const model = new epanet.Project(ws);
  ws.writeFile('net.inp', fs.readFileSync(file));
  let steps = 0;
  try {
    model.open('net.inp', 'net.rpt', '');
    model.openH();
    model.initH(0);
    let tstep = 0;
    do {
      model.runH();
      tstep = model.nextH();
      ++steps;
    } while (tstep > 0);
    model.closeH();
  } catch (e) {
    console.error(`${path.basename(file)}: ${e.message}`);
    return 1;
  }
  const nodes = model.getCount(epanet.CountType.NodeCount);
  const links = model.getCount(epanet.CountType.LinkCount);
  model.close();
  const report = ws.readFile('net.rpt');
  for (const line of report.split('\n'))
    if (/WARNING/i.test(line) || /^\s*Error \d+:/.test(line)) warnings.push(line.trim());
  if (warnings.length > 0) {
    for (const w of warnings) console.error(`${path.basename(file)}: ${w}`);
    return 1;
  }
  console.log(`${path.basename(file)}: ${nodes} nodes, ${links} links, solved in ${steps} time steps`);
  return 0;
}

main().then((code) => process.exit(code), (e) => {
  console.error(`epanet_check: ${e.message}`);
  process.exit(2);
});
